// The table of dimension-variable group codes.
#include "host/db/DxfDimVarCodes.h"

namespace zhost {

namespace {

const DxfDimVarCode kCodes[] = {
    {3, L"DIMPOST", 'S'},     {4, L"DIMAPOST", 'S'},    {5, L"DIMBLK", 'S'},      {6, L"DIMBLK1", 'S'},
    {7, L"DIMBLK2", 'S'},     {40, L"DIMSCALE", 'R'},   {41, L"DIMASZ", 'R'},     {42, L"DIMEXO", 'R'},
    {43, L"DIMDLI", 'R'},     {44, L"DIMEXE", 'R'},     {45, L"DIMRND", 'R'},     {46, L"DIMDLE", 'R'},
    {47, L"DIMTP", 'R'},      {48, L"DIMTM", 'R'},      {49, L"DIMFXL", 'R'},     {50, L"DIMJOGANG", 'R'},
    {71, L"DIMTOL", 'I'},    {72, L"DIMLIM", 'I'},
    {73, L"DIMTIH", 'I'},     {74, L"DIMTOH", 'I'},     {75, L"DIMSE1", 'I'},     {76, L"DIMSE2", 'I'},
    {77, L"DIMTAD", 'I'},     {78, L"DIMZIN", 'I'},     {79, L"DIMAZIN", 'I'},
    {140, L"DIMTXT", 'R'},    {141, L"DIMCEN", 'R'},    {142, L"DIMTSZ", 'R'},    {143, L"DIMALTF", 'R'},
    {144, L"DIMLFAC", 'R'},   {145, L"DIMTVP", 'R'},    {146, L"DIMTFAC", 'R'},   {147, L"DIMGAP", 'R'},
    {148, L"DIMALTRND", 'R'}, {170, L"DIMALT", 'I'},    {171, L"DIMALTD", 'I'},   {172, L"DIMTOFL", 'I'},
    {173, L"DIMSAH", 'I'},    {174, L"DIMTIX", 'I'},    {175, L"DIMSOXD", 'I'},   {176, L"DIMCLRD", 'I'},
    {177, L"DIMCLRE", 'I'},   {178, L"DIMCLRT", 'I'},   {179, L"DIMADEC", 'I'},   {270, L"DIMUNIT", 'I'},
    {271, L"DIMDEC", 'I'},    {272, L"DIMTDEC", 'I'},   {273, L"DIMALTU", 'I'},   {274, L"DIMALTTD", 'I'},
    {275, L"DIMAUNIT", 'I'},  {276, L"DIMFRAC", 'I'},   {277, L"DIMLUNIT", 'I'},  {278, L"DIMDSEP", 'I'},
    {279, L"DIMTMOVE", 'I'},  {280, L"DIMJUST", 'I'},   {281, L"DIMSD1", 'I'},    {282, L"DIMSD2", 'I'},
    {283, L"DIMTOLJ", 'I'},   {284, L"DIMTZIN", 'I'},   {285, L"DIMALTZ", 'I'},   {286, L"DIMALTTZ", 'I'},
    {287, L"DIMFIT", 'I'},    {288, L"DIMUPT", 'I'},    {289, L"DIMATFIT", 'I'},  {290, L"DIMFXLON", 'I'},
    {340, L"DIMTXSTY", 'H'},  {341, L"DIMLDRBLK", 'H'}, {342, L"DIMBLK", 'H'},    {343, L"DIMBLK1", 'H'},
    {344, L"DIMBLK2", 'H'},   {345, L"DIMLTYPE", 'H'},  {346, L"DIMLTEX1", 'H'},  {347, L"DIMLTEX2", 'H'},
    {371, L"DIMLWD", 'I'},    {372, L"DIMLWE", 'I'},
};

}  // namespace

const DxfDimVarCode* FindDxfDimVar(int code) {
  for (const DxfDimVarCode& c : kCodes)
    if (c.code == code) return &c;
  return nullptr;
}

}  // namespace zhost
