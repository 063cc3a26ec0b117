#pragma once

// Core code that breaks the rule: the check must reject this folder.
#include <QLineEdit>
