// Enumerations of the database layer shared by objects and entities.
#pragma once

namespace AcDb {

enum Visibility { kVisible = 0, kInvisible = 1 };

enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };

}  // namespace AcDb
