#pragma once

class QWidget;

// Form9: the about window. Built afresh, shown modally and centred on the
// screen; returns when the user closes it.
void showAboutWindow(QWidget *parent);
