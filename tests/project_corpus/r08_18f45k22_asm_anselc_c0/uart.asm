; EUSART1 routines (included by main.asm)

uart_init:
        banksel ANSELC
        movlw   0xC0
        movwf   ANSELC, BANKED
        bsf     TRISC, TRISC7, ACCESS
        bcf     TRISC, TRISC6, ACCESS
        bcf     BAUDCON1, BRG16, ACCESS
        movlw   UART_BRG
        movwf   SPBRG1, ACCESS
        clrf    SPBRGH1, ACCESS
        movlw   b'00100100'     ; TXEN = 1, SYNC = 0, BRGH = 1
        movwf   TXSTA1, ACCESS
        movlw   b'10010000'     ; SPEN = 1, CREN = 1
        movwf   RCSTA1, ACCESS
        return

; send the byte in W
uart_putc:
        btfss   PIR1, TX1IF, ACCESS
        bra     uart_putc
        movwf   TXREG1, ACCESS
        return

; wait for a byte, return it in W
uart_getc:
        btfss   PIR1, RC1IF, ACCESS
        bra     uart_getc
        movf    RCREG1, W, ACCESS
        return
