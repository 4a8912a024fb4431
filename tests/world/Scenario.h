#pragma once

#include <string>
#include <vector>

// One run of the wizard's world: an install folder with a stand-in library and
// its store, the settings that point at it, and the proxy that leads to the
// local validation server.
namespace e2e {

enum class Libraries {
    Generation1,             // generation 1 with its companions, and generation 2 beside it
    Generation1NoCompanions, // both generations, no companions
    Generation2,             // generation 2 only
    LackingExport,           // a generation 2 library without one of the fourteen functions
    None,                    // an empty folder
};

// Where the system's settings give the install folder.
enum class Setting {
    TqslCert,   // InstallPath in TrustedQSL's TQSLCert settings
    TrustedQsl, // InstallPath in TrustedQSL's own settings, as current installers write it
    Missing,
    Empty,
    TooLong, // the folder, then more separators than a 259-byte value holds
};

struct World {
    Libraries libraries = Libraries::Generation2;
    Setting setting = Setting::TqslCert;
    std::vector<std::string> certs = {"K1ABC", "W1AW"}; // fixture names, in store order
    std::string behaviour;                              // lines of the store's [behaviour]
};

// The test certificates and keys of the source tree (OVALDI_REPO).
std::string FixturesDir();

// A platform's stand-in library files, and the build folder that holds them.
struct LibraryFiles {
    std::string from;
    std::vector<std::string> companions; // installed with generation 1, as far as built
    std::string generation1, generation2;
    std::string lacking; // installed under generation 2's name
};

// Builds the world under folder; returns the install folder.
std::string BuildInstall(const std::string& folder, const World& world, const LibraryFiles& files);

// The calls the stand-in received, one line each.
std::vector<std::string> CallLog(const std::string& installFolder);
// Names of the calls, in order.
std::vector<std::string> CallNames(const std::vector<std::string>& log);
// "" when every successful tqsl_beginSigning is followed by exactly one
// tqsl_endSigning before the next begin, and no end is without a begin.
std::string SigningPhaseFault(const std::vector<std::string>& log);

// The body of a logged request, and one field's raw value in a form body.
std::string RequestBody(const std::string& request);
std::string FieldValue(const std::string& body, const std::string& name);

} // namespace e2e
