#include "ui/BatchSubView.h"

// The class is declared whole in its header; this file gives it its meta-object.
