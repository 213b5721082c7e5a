// The LISP-callable functions of the module, defined in every drawing.
#pragma once

// acedDefun and acedRegFunc for every row of the function table; RTNORM.
int DefineLispFunctions();
// acedUndef for every row; RTNORM.
int UndefineLispFunctions();
// Runs the row of the current function code: RSRSLT when it returned RTNORM, else RSERR;
// RTERROR for a code outside the table, without calling anything.
int InvokeLispFunction();
