/*
 * hardware_profile.h - USB data-logger board
 */
#ifndef HARDWARE_PROFILE_H
#define HARDWARE_PROFILE_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ  48000000        // CPU clock (20 MHz crystal, 96 MHz PLL / 2)

#define LED_RUN     LATDbits.LATD0
#define LED_RUN_TRIS TRISDbits.TRISD0

#endif
