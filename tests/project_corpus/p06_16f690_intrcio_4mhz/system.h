/* system.h - PICkit 2 Low Pin Count Demo Board, PIC16F690 */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 4000000UL    /* INTOSC at its reset speed (OSCCON left alone) */

#endif
