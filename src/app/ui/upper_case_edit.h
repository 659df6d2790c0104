#pragma once
// Moved; kept until every window includes the new place.
#include "app/widgets/upper_case_edit.h"
