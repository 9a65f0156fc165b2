// The registry of classes that stored layouts may name: the framework's
// controls and components, registered on first use, plus what the program
// adds (its forms and its own components).
#pragma once

#include "platform/portable/ClassRegistry.h"

TClassRegistry& FrameworkClasses();
