#include "options/core/GameWindowSizes.h"

QList<WindowExtent> gameWindowSizes()
{
    return {
        {{6000, 3900}},  // title
        {{5730, 2520}},  // About box
        {{5640, 3480}},  // settings
        {{5445, 3195}},  // hub
        {{4500, 3405}},  // instructions
        {{3645, 4695}},  // punching ball
        {{3960, 5355}},  // sandbag
        {{3360, 5160}},  // save
        {{6480, 4680}},  // load
        {{8385, 5985}},  // bout
        {{4605, 5985}},  // sparring
        {{5880, 5835}},  // ending
        {{5415, 4920}},  // status and next opponent
        {{5115, 4860}},  // fight record
        {{10800, 6960}}, // growth
    };
}
