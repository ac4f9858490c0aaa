/* board.h - picks the clock figure for each board revision */
#ifndef BOARD_H
#define BOARD_H

#define BOARD_REV_B

#if defined(BOARD_REV_A)
#define _XTAL_FREQ 16000000UL
#elif defined(BOARD_REV_B)
#define _XTAL_FREQ 32000000UL
#else
#define _XTAL_FREQ 8000000UL
#endif

#define LINK_BAUD 9600UL

#endif
