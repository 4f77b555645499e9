// The launcher's file version, in its one place: the version resource (launcher.rc) takes it from here,
// and scripts/release names the download after it.
#define SKV_VERSION_MAJOR 0
#define SKV_VERSION_MINOR 2
#define SKV_VERSION_PATCH 0
#define SKV_VERSION_BUILD 0
