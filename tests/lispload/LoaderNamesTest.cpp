// The names, folder and load expression the loader derives from its module path.
#include "lispload/LoaderNames.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
  const wchar_t* modulePath;
  const wchar_t* loaderFunction;
  const wchar_t* folderFunction;
  const wchar_t* folder;
  const wchar_t* loadPath;
};

const NameCase kCases[] = {
    {L"C:\\Apps\\abc.ARX.21.x64.arx", L"Pellbar-abc", L"GetPathOfabc", L"C:\\Apps\\", L"C:/Apps/abc"},
    {L"abc.arx", L"Pellbar-abc", L"GetPathOfabc", L"", L"abc"},
    {L"Pellbar", L"Pellbar-Pellbar", L"GetPathOfPellbar", L"", L"Pellbar"},
    {L"/opt/cad/apps/tool.v2.arx", L"Pellbar-tool", L"GetPathOftool", L"/opt/cad/apps/", L"/opt/cad/apps/tool"},
    {L"C:/Apps\\sub/x.y.arx", L"Pellbar-x", L"GetPathOfx", L"C:/Apps\\sub/", L"C:/Apps/sub/x"},
    {L"D:abc.arx", L"Pellbar-abc", L"GetPathOfabc", L"D:", L"D:abc"},
    // A dotted folder does not cut the path: only the file name loses its extension.
    {L"/home/u/my.apps/abc.arx", L"Pellbar-abc", L"GetPathOfabc", L"/home/u/my.apps/", L"/home/u/my.apps/abc"},
};

TEST(LoaderNames, DerivesNamesFolderAndLoadPathFromTheModulePath) {
  int row = 0;
  for (const NameCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << "row " << row++);
    const std::wstring base = pellbar::BaseNameOf(c.modulePath);
    EXPECT_EQ(pellbar::LoaderFunctionName(base), c.loaderFunction);
    EXPECT_EQ(pellbar::FolderFunctionName(base), c.folderFunction);
    EXPECT_EQ(pellbar::FolderOf(c.modulePath), c.folder);
    EXPECT_EQ(pellbar::LoadPathOf(c.modulePath), c.loadPath);
  }
}

TEST(LoaderNames, LoadExpressionCallsVlLoadAllAndStaysQuiet) {
  EXPECT_EQ(pellbar::LoadExpression(L"C:\\Apps\\abc.ARX.21.x64.arx"), L"(vl-load-all \"C:/Apps/abc\")(princ)\n");
}

TEST(LoaderNames, QuoteInThePathCannotEndTheStringLiteral) {
  EXPECT_EQ(pellbar::LoadExpression(L"/tmp/a\"b/abc.arx"), L"(vl-load-all \"/tmp/a\\\"b/abc\")(princ)\n");
}

TEST(LoaderNames, LeadingDotBelongsToTheLoadedFileName) {
  // The base name is cut at the first dot; the load path scans from the name's second character.
  EXPECT_EQ(pellbar::BaseNameOf(L"/x/.hidden.arx"), L"");
  EXPECT_EQ(pellbar::LoadPathOf(L"/x/.hidden.arx"), L"/x/.hidden");
}

TEST(LoaderNames, PathsOf216CharactersOrMoreAreRefused) {
  const std::wstring folder = L"/" + std::wstring(200, L'd') + L"/";
  const std::wstring justBelow = folder + std::wstring(215 - folder.size() - 4, L'n') + L".arx";
  ASSERT_EQ(justBelow.size(), 215u);
  EXPECT_TRUE(pellbar::IsSupportedModulePath(justBelow));
  EXPECT_FALSE(pellbar::IsSupportedModulePath(justBelow + L"x"));
  EXPECT_FALSE(pellbar::IsSupportedModulePath(std::wstring(259, L'p')));
  EXPECT_FALSE(pellbar::IsSupportedModulePath(L""));
}

}  // namespace
