// The program version number.
#include "frame/AppVersion.h"

int GetAppVersionNumber() { return (kAppVersionMajor * 10 + kAppVersionMinor) * 100 + kAppVersionBuild; }
