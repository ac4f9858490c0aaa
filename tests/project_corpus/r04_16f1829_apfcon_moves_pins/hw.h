#ifndef HW_H
#define HW_H

#define _XTAL_FREQ 4000000UL

/* EUSART on the alternate pins: RX/DT on RC5, TX/CK on RC4 */
void hw_init(void);
void com_init(void);
void com_send(char c);
char com_recv(void);

#endif
