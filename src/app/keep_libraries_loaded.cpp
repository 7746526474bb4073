// Built into the sanitized program only. LeakSanitizer looks for leaks after the program has
// ended, through the memory every library still has mapped; a library unloaded before then (Mesa
// unloads its driver when Qt ends the EGL display it opened for the Wayland window decorations)
// takes the pointers it held with it, and what they pointed to is reported as leaked from an
// unknown module, where no suppression can name it. Keeping every library mapped to the end lets
// the check see what they hold and name where a real leak came from.
extern "C" int dlclose(void*) {
    return 0;
}
