#pragma once

#include <string>
#include <vector>

// One run of the wizard's world: an install folder with a stand-in library and
// its store, the registry that points at it, and the proxy that leads to the
// local validation server.
namespace e2e {

enum class Libraries {
    Generation1,             // tqsllib.dll with companions, and tqsllib2.dll beside it
    Generation1NoCompanions, // both libraries, no companions: generation 2 must serve
    Generation2,             // tqsllib2.dll only
    LackingExport,           // a tqsllib2.dll without one of the fourteen functions
    None,                    // an empty folder
};

enum class Registry {
    CertKey,       // InstallPath under SOFTWARE\TrustedQSL\TQSLCert
    TrustedQslKey, // InstallPath under SOFTWARE\TrustedQSL, as current installers write it
    NoKey,
    EmptyValue,
    TooLongValue, // longer than the 259 bytes read
};

struct World {
    Libraries libraries = Libraries::Generation2;
    Registry registry = Registry::CertKey;
    std::vector<std::string> certs = {"K1ABC", "W1AW"}; // fixture names, in store order
    std::string behaviour;                              // lines of the store's [behaviour]
};

// Builds the world under folder; returns the install folder.
std::string BuildInstall(const std::string& folder, const World& world);
// Points the registry at the install folder and the proxy at the port.
void WriteRegistry(const std::string& installFolder, Registry registry, int proxyPort);

// The calls the stand-in received, one line each.
std::vector<std::string> CallLog(const std::string& installFolder);
// Names of the calls, in order.
std::vector<std::string> CallNames(const std::vector<std::string>& log);
// "" when every successful tqsl_beginSigning is followed by exactly one
// tqsl_endSigning before the next begin, and no end is without a begin.
std::string SigningPhaseFault(const std::vector<std::string>& log);

// The form body the program must send for a certificate, record and the
// signature text found in the request.
std::string RequestBody(const std::string& request);
std::string FieldValue(const std::string& body, const std::string& name);

} // namespace e2e
