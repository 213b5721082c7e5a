// AcDbDatabase: a drawing's database. It owns every object in it (deleting the database deletes
// them; objects still open then are reported, not crashed on), gives out handles from its handle
// seed, maps handles to ids, holds the symbol tables, the named-objects dictionary and the header
// variables, keeps the undo record and tells its database reactors about appended, modified and
// erased objects. One per document; drawings read from files without a document are side
// databases.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/db/AcCmColor.h"
#include "host/db/AcDb.h"
#include "host/db/AcDbHandle.h"
#include "host/db/AcDbObjectId.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"

class AcDbBlockTable;
class AcDbDatabaseReactor;
class AcDbDictionary;
class AcDbDimStyleTable;
class AcDbLayerTable;
class AcDbLinetypeTable;
class AcDbObject;
class AcDbRegAppTable;
class AcDbTextStyleTable;

namespace zhost {
struct ObjectStub;
class ObjectAccess;
class UndoRecorder;
}

class AcDbDatabase : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDatabase);

  // buildDefaultDrawing: the tables with their default records ("*Model_Space",
  // "*Paper_Space", layer "0", text style and dimension style "Standard", linetypes "ByBlock",
  // "ByLayer", "Continuous", application "ACAD") and the named-objects dictionary. Without it the
  // database is empty, for the file reader to fill.
  explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~AcDbDatabase() override;
  AcDbDatabase(const AcDbDatabase&) = delete;
  AcDbDatabase& operator=(const AcDbDatabase&) = delete;

  // False for a side database read from a file without a document.
  bool hasDocument() const { return !noDocument_; }

  // Objects. addAcDbObject adds a new object (not an entity: those go through
  // AcDbBlockTableRecord::appendAcDbEntity) with the next handle; it is open for write for the
  // caller and has no owner until the caller sets one.
  Acad::ErrorStatus addAcDbObject(AcDbObject* pObj);
  Acad::ErrorStatus addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj);
  // The id of a handle; with createIfNotFound a slot is made for a handle not seen yet (the
  // file reader refers to objects before it reads them). eUnknownHandle otherwise.
  Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle,
                                    Adesk::UInt32 xRefId = 0);
  // The next handle to give out.
  AcDbHandle handseed() const { return handseed_; }
  // Never below a handle in use (eInvalidInput).
  Acad::ErrorStatus setHandseed(const AcDbHandle& handle);
  // Host (file code): adds an object read from a file under its handle (eHandleInUse when
  // another object has it, eInvalidInput for the null handle). The object is open for write as
  // a new object (dwgInFields may run; close() it afterwards); nothing is notified or recorded
  // for undo; the handle seed moves past the handle.
  Acad::ErrorStatus addObjectWithHandle(AcDbObject* pObj, const AcDbHandle& handle, AcDbObjectId& objId);
  // Host: every id with an object, in handle order.
  void getAllObjectIds(AcDbObjectIdArray& ids) const;
  // Host: the number of objects (with or without erased ones).
  int numObjects(bool includeErased = true) const;

  // Symbol tables and dictionaries.
  Acad::ErrorStatus getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getTextStyleTable(AcDbTextStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getDimStyleTable(AcDbDimStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getRegAppTable(AcDbRegAppTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead);
  Acad::ErrorStatus getSymbolTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getBlockTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getLayerTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbTextStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getTextStyleTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbDimStyleTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getDimStyleTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getLinetypeTable(pTable, mode); }
  Acad::ErrorStatus getSymbolTable(AcDbRegAppTable*& pTable, AcDb::OpenMode mode = AcDb::kForRead) { return getRegAppTable(pTable, mode); }
  Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode = AcDb::kForRead);
  AcDbObjectId blockTableId() const { return tables_[kBlock]; }
  AcDbObjectId layerTableId() const { return tables_[kLayer]; }
  AcDbObjectId textStyleTableId() const { return tables_[kTextStyle]; }
  AcDbObjectId dimStyleTableId() const { return tables_[kDimStyle]; }
  AcDbObjectId linetypeTableId() const { return tables_[kLinetype]; }
  AcDbObjectId regAppTableId() const { return tables_[kRegApp]; }
  AcDbObjectId namedObjectsDictionaryId() const { return tables_[kNamedObjects]; }
  // Host (file code): the root objects of a database built without defaults.
  enum RootObject { kBlock = 0, kLayer, kTextStyle, kDimStyle, kLinetype, kRegApp, kNamedObjects, kRootCount };
  void setRootObjectId(RootObject which, AcDbObjectId id) { tables_[which] = id; }

  // Well-known records.
  AcDbObjectId modelSpaceId() const;
  AcDbObjectId paperSpaceId() const;
  AcDbObjectId currentSpaceId() const;
  AcDbObjectId byLayerLinetype() const;
  AcDbObjectId byBlockLinetype() const;
  AcDbObjectId continuousLinetype() const;
  AcDbObjectId layerZero() const;

  // Header variables. Setters check the id's kind and database (eWrongObjectType,
  // eWrongDatabase) and tell the reactors (headerSysVarWillChange / headerSysVarChanged with the
  // variable's name: "CLAYER", "TEXTSTYLE", "DIMSTYLE", "CELTYPE", "CECOLOR", "TEXTSIZE",
  // "TILEMODE", "INSUNITS", "LTSCALE", "CELTSCALE", "CELWEIGHT", "DIMSCALE").
  AcDbObjectId clayer() const { return clayer_; }
  Acad::ErrorStatus setClayer(AcDbObjectId objId);
  AcDbObjectId textstyle() const { return textstyle_; }
  Acad::ErrorStatus setTextstyle(AcDbObjectId objId);
  AcDbObjectId dimstyle() const { return dimstyle_; }
  Acad::ErrorStatus setDimstyle(AcDbObjectId objId);
  AcDbObjectId celtype() const { return celtype_; }
  Acad::ErrorStatus setCeltype(AcDbObjectId objId);
  AcCmColor cecolor() const { return cecolor_; }
  Acad::ErrorStatus setCecolor(const AcCmColor& color);
  double textsize() const { return textsize_; }
  Acad::ErrorStatus setTextsize(double size);
  bool tilemode() const { return tilemode_; }
  Acad::ErrorStatus setTilemode(bool mode);
  AcDb::UnitsValue insunits() const { return insunits_; }
  Acad::ErrorStatus setInsunits(AcDb::UnitsValue units);
  double ltscale() const { return ltscale_; }
  Acad::ErrorStatus setLtscale(double scale);
  double celtscale() const { return celtscale_; }
  Acad::ErrorStatus setCeltscale(double scale);
  AcDb::LineWeight celweight() const { return celweight_; }
  Acad::ErrorStatus setCelweight(AcDb::LineWeight weight);
  double dimscale() const { return dimscale_; }
  Acad::ErrorStatus setDimscale(double scale);
  // Host: other header variables by upper-case name (the file code keeps them all).
  std::map<std::wstring, std::wstring>& extraHeaderVariables() { return extraHeader_; }

  // Files: the file code defines these (saveAs writes to a temporary file and renames it).
  enum OpenMode { kForReadAndReadShare = 1, kForReadAndWriteNoShare = 2, kForReadAndAllShare = 3, kTryForReadShare = 4 };
  Acad::ErrorStatus readDwgFile(const ACHAR* fileName, OpenMode shmode = kForReadAndReadShare,
                                bool bAllowCPConversion = false, const wchar_t* wszPassword = nullptr);
  Acad::ErrorStatus saveAs(const ACHAR* fileName, bool bBakAndRename = true,
                           AcDb::AcDbDwgVersion dwgVer = AcDb::kDHL_CURRENT, const void* pSecParams = nullptr);
  Acad::ErrorStatus save();
  Acad::ErrorStatus getFilename(const ACHAR*& pOutput) const;
  // Host: the file name the database was read from or saved to.
  const std::wstring& fileName() const { return fileName_; }
  void setFileName(const std::wstring& name) { fileName_ = name; }
  // DBMOD: changes since the last save (appends, modifications, erasures, header changes).
  int dbmod() const { return dbmod_; }
  void setDbmod(int value) { dbmod_ = value; }

  // Reactors (not owned).
  void addReactor(AcDbDatabaseReactor* pReactor) const;
  Acad::ErrorStatus removeReactor(AcDbDatabaseReactor* pReactor) const;

  // Undo.
  void disableUndoRecording(Adesk::Boolean disable);
  bool undoRecording() const;
  zhost::UndoRecorder& undoRecorder() { return *undo_; }

  // Host: whether the database still exists (code that kept a pointer across a command).
  static bool isAlive(const AcDbDatabase* db);

  // Host: the slots (ObjectStub) and what the object code needs.
  zhost::ObjectStub* stubOf(const AcDbHandle& handle) const;
  const std::vector<AcDbDatabaseReactor*>& reactors() const { return reactors_; }
  void noteChange() { ++dbmod_; }

 private:
  friend class zhost::ObjectAccess;
  zhost::ObjectStub* newStub(const AcDbHandle& handle);
  Acad::ErrorStatus addObject(AcDbObject* obj, zhost::ObjectStub* stub);
  void buildDefaults();
  template <class T>
  Acad::ErrorStatus openRoot(RootObject which, T*& pObj, AcDb::OpenMode mode);
  Acad::ErrorStatus checkRecord(AcDbObjectId id, AcRxClass* cls) const;
  void headerWillChange(const ACHAR* name);
  void headerChanged(const ACHAR* name);

  bool noDocument_;
  std::map<Adesk::UInt64, std::unique_ptr<zhost::ObjectStub>> stubs_;
  AcDbHandle handseed_{Adesk::UInt64(1)};
  AcDbObjectId tables_[kRootCount];
  mutable std::vector<AcDbDatabaseReactor*> reactors_;
  std::unique_ptr<zhost::UndoRecorder> undo_;
  bool deleting_ = false;

  AcDbObjectId clayer_, textstyle_, dimstyle_, celtype_;
  AcCmColor cecolor_;
  double textsize_ = 2.5, ltscale_ = 1.0, celtscale_ = 1.0, dimscale_ = 1.0;
  bool tilemode_ = true;
  AcDb::UnitsValue insunits_ = AcDb::kUnitsMillimeters;
  AcDb::LineWeight celweight_ = AcDb::kLnWtByLayer;
  std::map<std::wstring, std::wstring> extraHeader_;
  std::wstring fileName_;
  int dbmod_ = 0;
};
