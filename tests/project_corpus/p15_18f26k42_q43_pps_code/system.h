/*
 * system.h - motor controller, PIC18F26K42 (ported from the Q43 prototype)
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 64000000

#endif
