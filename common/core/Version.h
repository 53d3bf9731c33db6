// The release's version, shared by the code and the resource scripts (so only macros here).
#pragma once

#define CORVANE_VERSION_MAJOR 1
#define CORVANE_VERSION_MINOR 1
#define CORVANE_VERSION_REVISION 1
#define CORVANE_VERSION_DOTTED "1.1.1"
#define CORVANE_PRODUCT_NAME "Corvane"
