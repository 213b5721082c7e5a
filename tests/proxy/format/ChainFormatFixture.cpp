// Fixture of the chain text tests.
#include "tests/proxy/format/ChainFormatFixture.h"

#include <cstdlib>

#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

void ChainFormatFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "chainformat-test.arx", false);
  options = env_->options();
  zhost::Console::instance().setQuiet(true);
}

void ChainFormatFixture::TearDown() {
  chain_.reset();
  env_.reset();
  options = nullptr;
}

QBdim* ChainFormatFixture::MakeChain(const wchar_t* unit, int decimals, std::initializer_list<double> xs) {
  chain_.reset(new QBdim);
  QBdim& c = *chain_;
  c.m_dimType = DIMTYPE_HORIZONTAL;
  c.m_vectorDim = AcGeVector3d(1, 0, 0);
  c.m_xyzAxis[0] = AcGeVector3d(1, 0, 0);
  c.m_xyzAxis[1] = AcGeVector3d(0, 1, 0);
  c.m_xyzAxis[2] = AcGeVector3d(0, 0, 1);
  c.arrayString.Copy(options->dimSet.arrayString);
  c.arrayInt.Copy(options->dimSet.arrayInt);
  c.arrayDouble.Copy(options->dimSet.arrayDouble);
  c.arrayString[IND_S_Measure] = unit;
  c.arrayString[IND_S_Delimiter] = L".";
  c.arrayString[IND_S_IniFile] = L"";
  c.arrayString[IND_S_DimDescription] = L"";
  c.arrayInt[IND_I_Decimals] = static_cast<UINT>(decimals);
  c.arrayInt[IND_I_RoundMM] = 0;
  c.arrayInt[IND_I_TrimZero] = 0;
  c.arrayInt[IND_I_MCmFrom10] = 0;
  c.arrayInt[IND_I_SumStatus] = 0;
  c.arrayInt[IND_I_WipeOutStatus] = 0;
  c.arrayInt[IND_I_AltUnitsStatus] = 0;
  c.arrayDouble[IND_D_AcadUnits] = 0.001;
  c.arrayDouble[IND_D_ScaleVal] = 0.01;
  options->arrayOptInt[IND_OPT_B_AltUnits] = 0;
  for (double x : xs) {
    const AcGePoint3d measured(x, -1, 0), start(x, -0.9, 0), dim(x, 1, 0);
    c.arrayPoints.append(measured);
    c.arrayPoints.append(start);
    c.arrayPoints.append(dim);
    c.arrayPoints.append(dim);
    c.arrayExtFlags.Add(0u);
    c.arrayText.Add(c.arrayText.GetSize() == 0 ? L"" : L"#8");
  }
  return chain_.get();
}
