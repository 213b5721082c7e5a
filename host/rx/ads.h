// The ADS result-buffer types and codes: resbuf lists carry LISP arguments and results, system
// variable values and extended data.
#pragma once

#include <cstdint>

#include "host/win/WinTypes.h"

typedef wchar_t ACHAR;
typedef double ads_real;
typedef ads_real ads_point[3];
typedef int64_t ads_name[2];
typedef ads_real ads_matrix[4][4];
typedef ads_real* ads_pointp;
typedef int64_t* ads_namep;

enum { X = 0, Y = 1, Z = 2 };

// Result types
#define RTNONE 5000
#define RTREAL 5001
#define RTPOINT 5002
#define RTSHORT 5003
#define RTANG 5004
#define RTSTR 5005
#define RTENAME 5006
#define RTPICKS 5007
#define RTORINT 5008
#define RT3DPOINT 5009
#define RTLONG 5010
#define RTVOID 5014
#define RTLB 5016
#define RTLE 5017
#define RTDOTE 5018
#define RTNIL 5019
#define RTDXF0 5020
#define RTT 5021
#define RTRESBUF 5023
#define RTMODELESS 5027
#define RTLONG_PTR 5030
#define RTINT64 5031

// Status codes
#define RTNORM 5100
#define RTERROR (-5001)
#define RTCAN (-5002)
#define RTREJ (-5003)
#define RTFAIL (-5004)
#define RTKWORD (-5005)
#define RTINPUTTRUNCATED (-5008)

// Results of a function called through kInvkSubrMsg
#define RSRSLT 1
#define RSERR 3

struct ads_binary {
  short clen;
  char* buf;
};

union ads_u_val {
  ads_real rreal;
  ads_real rpoint[3];
  short rint;
  ACHAR* rstring;
  int64_t rlname[2];
  int32_t rlong;
  int64_t mnLongPtr;
  int64_t mnInt64;
  ads_binary rbinary;
  unsigned char ihandle[8];
};

struct resbuf {
  resbuf* rbnext;
  short restype;
  ads_u_val resval;
};

// A new buffer of the type (strings start null); NULL for an unknown type.
resbuf* acutNewRb(int type);
// Frees the whole list from rb, with its strings and binary chunks.
int acutRelRb(resbuf* rb);
// A list built from (type, value) pairs ended by 0; RTLB/RTLE/RTDOTE/RTNIL/RTT take no value.
// Strings are copied. NULL for an unknown type.
resbuf* acutBuildList(int type, ...);
// A copy of the string that acutRelRb or acutDelString frees.
ACHAR* acutNewString(const ACHAR* text);
void acutDelString(ACHAR*& text);
// Copies a whole list.
resbuf* acutCopyRb(const resbuf* rb);

// How a result type's value is stored (true: the type carries a string).
bool zhostRbHoldsString(int type);
