#include "RecordingHost.h"
