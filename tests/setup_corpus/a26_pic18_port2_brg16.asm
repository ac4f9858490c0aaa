        LIST    P=18F8722
        #include <P18F8722.INC>

; EUSART2: 19200 baud, 40 MHz, BRG16 = 1, BRGH = 0
Uart2Init
        bsf     BAUDCON2, BRG16
        clrf    SPBRGH2
        movlw   D'129'
        movwf   SPBRG2
        movlw   B'00100000'
        movwf   TXSTA2
        movlw   B'10010000'
        movwf   RCSTA2
        return
