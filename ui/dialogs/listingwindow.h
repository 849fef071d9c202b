#pragma once

class QWidget;

// Form4: the listing window. Built afresh, shown modally in the middle of
// the screen; returns when the user closes it.
void showListingWindow(QWidget *parent);
