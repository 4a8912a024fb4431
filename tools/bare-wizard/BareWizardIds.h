#pragma once

#define IDD_BARE_INTRO 101
#define IDD_BARE_MIDDLE 102
#define IDD_BARE_DONE 103
