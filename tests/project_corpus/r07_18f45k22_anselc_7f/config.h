#ifndef CONFIG_H
#define CONFIG_H

/* 16 MHz crystal, HS medium power, no PLL */
#define _XTAL_FREQ 16000000UL

#endif
