#pragma once

// Everything is built with hidden symbols; a run-time module marks the C entry point
// that base::Module looks up with this, and nothing else leaves it.
#define TALLOWMERE_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
