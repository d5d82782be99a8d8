#include "xml/GmXml.h"
