// A utility that reaches up into the window: the check must refuse it.
#pragma once

#include "ui/Janela.h"
