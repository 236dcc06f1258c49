// Sanitizer builds: no library is ever unloaded, so that LeakSanitizer can name each leak's code.
// The leak check runs last at exit, after the window system has closed its display and the
// OpenGL dispatcher has unloaded the driver; the driver's allocations would then come from
// unknown code and could not be told apart from the program's own.
extern "C" int dlclose(void*) {
    return 0;
}
