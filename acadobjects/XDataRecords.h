// The add-on's extended-data records on the CAD program's own objects, and the operations
// through which all code reads and writes them:
//   "ZENKORA_OBJECT"  [1000 "_ZENKORA_"][1070 type code]        the object is formatted
//   "ZENKORA_DATA"    [1000 strings...][1070 ints...][1040 reals...]  its option values
//   "ZENKORA_UT_MARK" [1000 "DIM_MARK"][1070 0]                  a text mark polyline
//   "ZENKORA_TEMP"    [1000 handle][1070 1]                      the closing converted dimension
// 1070 groups hold the low 16 bits of a value and read back sign-extended.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcDbObject;

#define XDATA_APP_OBJECT L"ZENKORA_OBJECT"
#define XDATA_APP_DATA L"ZENKORA_DATA"
#define XDATA_APP_UT_MARK L"ZENKORA_UT_MARK"
#define XDATA_APP_TEMP L"ZENKORA_TEMP"
#define XDATA_OBJECT_MARKER L"_ZENKORA_"
#define XDATA_DIM_MARK L"DIM_MARK"

// Object type codes of "ZENKORA_OBJECT".
const int OBJECT_TYPE_TEXT = 1;
const int OBJECT_TYPE_MTEXT = 2;
const int OBJECT_TYPE_DIMENSION = 10;
const int OBJECT_TYPE_OTHER = 100;

// Adds `name` to the registered applications of `db` when it is missing; eOk when it exists or
// was added.
Acad::ErrorStatus RegisterApp(AcDbDatabase* db, const wchar_t* name);

// Writes [1001 application][1000 text][1070 value] on `entity` (open for read or write; an
// entity open for read is upgraded); a null or empty text removes the application's record.
// 0 when there is no drawing to write in, else 1. Failures are shown in message boxes.
int SetXData(AcDbObject* entity, const wchar_t* application, const wchar_t* text, int value);
// Writes [1001 application] then every string, every int, every real (a null array is
// skipped); with all three null the record is removed. 0 when there is no drawing, else 1.
int SetXDataArrays(AcDbObject* entity, const wchar_t* application, const CStringArray* strings,
                   const CUIntArray* integers, const CArray<double, double>* reals);
// Empties the arrays given, then reads the record by type in the order met (1000 right-trimmed,
// 1070 sign-extended, 1040). For "ZENKORA_DATA" (any case) the arrays are then filled up to the
// lengths of the option object's chain-dimension arrays with their values. Returns 1.
int GetXData(const AcDbObject* entity, const wchar_t* application, CStringArray* strings, CUIntArray* integers,
             CArray<double, double>* reals);
// `value`: the last 1070 value (0 when none); `text`: the first 1000 value longer than one
// character, right-trimmed (else empty). True when such a text was found.
bool GetXDataString(const AcDbObject* entity, const wchar_t* application, CString& text, int& value);
// The list walk of GetXDataString; frees `list`.
bool Resbuf2Handle(resbuf* list, CString& text, int& value);

// 1 text, 2 multiline text, 10 any dimension, 100 anything else (also null).
int ObjectTypeCode(const AcDbObject* entity);
// True when the entity has "ZENKORA_OBJECT" and its first 1070 value is not 0.
bool IsZenkoraObject(const AcDbObject* entity);
// The same for an id (opened for read for the question); false when it cannot be opened.
bool IsZenkoraObject(AcDbObjectId id);
// `on`: writes "ZENKORA_OBJECT" with "_ZENKORA_" and the type code; otherwise removes it.
int SetZenkoraObject(AcDbObject* entity, bool on);
