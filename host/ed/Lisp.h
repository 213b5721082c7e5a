// The ADS functions for LISP: functions that applications define per drawing (acedDefun),
// their arguments and results, queued expressions and calls of LISP functions.
#pragma once

#include "host/rx/ads.h"

// Defines the external function in the drawing now current; the host sends kInvkSubrMsg to the
// defining application when it is called (or calls the function given to acedRegFunc).
int acedDefun(const ACHAR* name, short funcNumber);
int acedUndef(const ACHAR* name, short funcNumber);
int acedRegFunc(int (*fhdl)(), int fcode);
// The code of the function being called, or RTERROR outside a call.
int acedGetFunCode();
// The arguments of the call (owned by the host, valid during the call).
resbuf* acedGetArgs();
int acedRetStr(const ACHAR* s);
int acedRetList(const resbuf* rbuf);
int acedRetVoid();
int acedRetNil();
int acedRetT();
int acedRetInt(int ival);
int acedRetReal(ads_real rval);
int acedRetPoint(const ads_point pt);
int acedRetVal(const resbuf* rbuf);
// Queues an expression that the current drawing evaluates when it next accepts LISP input
// (before the next script line).
int ads_queueexpr(const ACHAR* expr);
int acedQueueExpr(const ACHAR* expr);
// Calls a LISP function: args starts with the name as RTSTR. *result (freed by the caller with
// acutRelRb) gets the value.
int acedInvoke(const resbuf* args, resbuf** result);
