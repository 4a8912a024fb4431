/* libexpat.dll: the companion generation 1 imports, so that it loads only after the
   program has loaded its companions from the install folder. */
__declspec(dllexport) const char* XML_ExpatVersion(void) {
    return "expat stand-in";
}
