#ifndef LINK_H
#define LINK_H

#define _XTAL_FREQ 20000000UL
#define LINK_BAUD  57600UL
#define LINK_BRG   ((_XTAL_FREQ / (4UL * LINK_BAUD)) - 1UL)

void link_init(void);
void link_tx(unsigned char c);
unsigned char link_rx(void);

#endif
