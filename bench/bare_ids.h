// Resource ids of the bare programs the launcher is measured against. The buttons and lists the
// benchmark drives carry the same ids as the launcher's own.
#pragma once

#define BARE_DLG_MAIN 1
#define BARE_DLG_LISTS 2
#define BARE_ID_DISPLAY 1046
#define BARE_ID_DEVICE_LIST 1047
#define BARE_ID_MODE_LIST 1048
