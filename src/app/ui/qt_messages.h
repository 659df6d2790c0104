#pragma once
// Moved; kept until every window includes the new place.
#include "app/widgets/qt_messages.h"
