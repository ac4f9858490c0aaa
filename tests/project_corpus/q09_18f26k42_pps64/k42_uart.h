#ifndef K42_UART_H
#define K42_UART_H

#define _XTAL_FREQ  64000000UL
#define U1_BAUD     115200UL
/* high-speed BRG (BRGS = 1): divide by 4, rounded */
#define U1_BRG      (((_XTAL_FREQ + 2UL * U1_BAUD) / (4UL * U1_BAUD)) - 1UL)

void u1_setup(void);
void u1_send(unsigned char c);

#endif
