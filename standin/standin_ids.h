// Resource and control ids of the stand-in game's window.
#pragma once

#define SKV_STANDIN_DLG 100
#define SKV_STANDIN_TEXT 1001
