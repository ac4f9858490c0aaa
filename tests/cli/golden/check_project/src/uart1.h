#ifndef UART1_H
#define UART1_H
void UART1_Initialize(void);
void UART1_Write(unsigned char c);
#endif
