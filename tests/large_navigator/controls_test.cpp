#include "navigator_fixture.h"
