#ifndef APP_H
#define APP_H

#define _XTAL_FREQ  4000000UL
#define BAUDRATE    9600UL

void osc_init(void);
void eusart1_init(void);

#endif
