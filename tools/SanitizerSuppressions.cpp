// Mesa's OSMesa keeps every framebuffer it made current and loses memory in
// selection mode (about 0.1 MB a pick on Mesa 22.3); LeakSanitizer would
// fail every run of the tool on them. Only leaks inside libOSMesa are
// waived, so leaks of our own still count.
#if defined(__SANITIZE_ADDRESS__)
#define TESSARO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARO_ADDRESS_SANITIZER 1
#endif
#endif

#if defined(TESSARO_ADDRESS_SANITIZER)
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa\n"; }
#endif
