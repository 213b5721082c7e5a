// The built-in application "acmatch": it provides the "MatchProperties" service and makes the
// class AcDbMatchProperties known as "MatchProperties" in the "ClassDictionary".
#pragma once

namespace zhost {

// Makes "acmatch" loadable by name (idempotent).
void RegisterMatchPropertiesApp();
extern const wchar_t* const kMatchPropertiesApp;

}  // namespace zhost
