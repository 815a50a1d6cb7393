// The new-return wizard: its three pages over the answers, run modally.
#pragma once

class DataNewReturnBasic;
class QWidget;

// Runs the wizard titled "Create a new tax return" on the answers; 1 when finished, 0 when
// cancelled. The wizard creates nothing: the caller makes the return from the answers.
int runNewReturnWizard(DataNewReturnBasic &answers, QWidget *parent);
