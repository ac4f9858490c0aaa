#ifndef BOARD_H
#define BOARD_H

#define _XTAL_FREQ 20000000UL   /* 20 MHz crystal, HS mode */

void board_init(void);

#endif
