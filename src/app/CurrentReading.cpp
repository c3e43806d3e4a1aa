#include "app/CurrentReading.h"

Reading& CurrentReading()
{
    static Reading reading;
    return reading;
}
