// Includes libmdb's C header. Its 1.0.0 version wraps the glib and iconv
// headers in extern "C", which C++ glib headers refuse; including those first
// lets their include guards keep them out of the wrapper.
#pragma once

#include <glib.h>
#include <iconv.h>

#include <mdbtools.h>
