// The program version and its number as stamped into options and entities.
#pragma once

constexpr int kAppVersionMajor = 2017;
constexpr int kAppVersionMinor = 1;
constexpr int kAppVersionBuild = 1;

// (major * 10 + minor) * 100 + build: 2017101 for 2017.1.1.
int GetAppVersionNumber();
