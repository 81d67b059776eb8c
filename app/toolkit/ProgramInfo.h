// Name, version and addresses of the game; the addresses are set when the
// game is built (see the top-level CMakeLists.txt).
#pragma once

#ifndef TESSARO_WEB_PAGE
#define TESSARO_WEB_PAGE "https://tessaro3d.example.org/"
#endif
#ifndef TESSARO_SIBLING_PAGE
#define TESSARO_SIBLING_PAGE "https://tessaro3d.example.org/more/"
#endif
#ifndef TESSARO_MAIL
#define TESSARO_MAIL "tessaro3d@example.org"
#endif

constexpr const char* kProgramName = "Tessaro 3D";
constexpr const char* kProgramVersion = "1.01";
constexpr const char* kWebPage = TESSARO_WEB_PAGE;
constexpr const char* kSiblingPage = TESSARO_SIBLING_PAGE;
constexpr const char* kMailAddress = TESSARO_MAIL;
