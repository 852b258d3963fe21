// Resource ids of the Classic edition. They are the same numbers in both editions, so they
// live in the shared header; this one is what the Classic resource script includes.
#pragma once

#include "../resource_ids.h"
