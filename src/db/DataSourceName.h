// The name every part of the program connects to.
#pragma once

inline constexpr const char* kDataSourceName = "Versilux";
inline constexpr const char* kDefaultConnect = "ODBC;DSN=Versilux";
