// Reading an exported DXF file back with an independent reader (python3-ezdxf): the file is
// loaded, audited, and described as one JSON object a line (audit result, header variables,
// entity counts per layout and block, layers, applications, each entity with its extended data).
#pragma once

#include <string>
#include <vector>

namespace zktest {

// The python that can import ezdxf; "" when none can (the test is skipped then).
std::string EzdxfPython();

struct EzdxfReport {
  bool ok = false;                 // the reader ran and printed its report
  std::string output, errors;      // its standard output and error
  std::vector<std::string> lines;  // output lines (JSON objects, keys sorted)
  bool has(const std::string& line) const;
  // The first line that contains every fragment ("" when none).
  std::string find(const std::vector<std::string>& fragments) const;
};

EzdxfReport ReadWithEzdxf(const std::string& dxfPath);

// Runs a python script of the caller's with the ezdxf python (python -c SCRIPT ARGS...); not ok
// when no python has ezdxf or the script fails.
EzdxfReport RunEzdxfScript(const std::string& script, const std::vector<std::string>& args);

}  // namespace zktest
