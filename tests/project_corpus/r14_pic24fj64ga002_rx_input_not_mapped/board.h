#ifndef BOARD_H
#define BOARD_H

/* 8 MHz crystal on OSCI/OSCO, primary oscillator without PLL */
#define FCY 4000000UL

void board_pins(void);

#endif
