' 16F877A @ 20 MHz, USART set up by hand, 19200 8N1
DEFINE OSC 20

TRISC = %10111111
TXSTA = $24 : RCSTA = $90 : SPBRG = 64   ' 19200 baud

Main:
    TXREG = "A"
    PAUSE 100
    GOTO Main
