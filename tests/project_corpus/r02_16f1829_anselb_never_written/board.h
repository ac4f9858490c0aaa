#ifndef BOARD_H
#define BOARD_H

/* 20 MHz crystal on OSC1/OSC2 */
#define _XTAL_FREQ 20000000UL

void ports_init(void);

#endif
