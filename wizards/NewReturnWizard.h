// The new-return wizard: its three pages over the answers, run modally.
#pragma once

#include <memory>

class DataNewReturnBasic;
class QWidget;
class WizardBase;

// The wizard titled "Create a new tax return" with its pages bound to the answers and sized,
// ready to run.
std::unique_ptr<WizardBase> makeNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent);
// Runs that wizard on the answers; 1 when finished, 0 when cancelled. The wizard creates
// nothing: the caller makes the return from the answers.
int runNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent);
