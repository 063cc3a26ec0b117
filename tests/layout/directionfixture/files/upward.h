#pragma once
// Breaks the one-way rule on purpose: the file side may not use the main window.
#include "mainwindow/sorting.h"
