#include "ui/Form1.h"

Form1::Form1(QWidget* parent) : QMainWindow(parent) {} // STUB
