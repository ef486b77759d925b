// Resource identifiers of the volume slider.
#pragma once

#define IDB_SLIDER_BACK 6344
