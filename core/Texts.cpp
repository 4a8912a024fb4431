#include "Texts.h"

#define LOTW_SITE "https://lotw.arrl.org/"

namespace texts {

const char kDefaultReason[] =
    "Cannot locate or load Trusted QSL software.  Please download and install the software and "
    "try again.  See " LOTW_SITE " for more information.";
const char kNoCertificates[] =
    "No Trusted QSL certificates issued by the ARRL were found on this computer.  Be sure you "
    "have completed the authentication steps outlined on the Logbook of the World Web site "
    "(" LOTW_SITE ").";
const char kInitFailedPrefix[] = "tqsl_init() failed: ";
const char kRequestFailedPrefix[] = "The authentication request could not be processed: ";
const char kConnectionFailure[] = "Cannot connect to the Corvalen Web site.  Be sure you are "
                                  "connected to the Internet, or try again later.";
const char kMissingFunctionPrefix[] = "The Trusted QSL library ";
const char kMissingFunctionSuffix[] = " lacks the function ";
const char kNoSignatureSize[] =
    "The Trusted QSL library did not report the size of the signature.  Please reinstall the "
    "software and try again.";
const char kOutOfMemory[] =
    "There is not enough memory to go on.  Please close other programs and try again.";
const char kArrlIssuer[] = "American Radio Relay League";

} // namespace texts
